#include "app_texts.h"

#include <QStringList>

namespace rebound {

QStringList SongFamilies()
{
    return {QStringLiteral("AR PL UMing CN"), QStringLiteral("AR PL UMing TW"), QStringLiteral("SimSun"),
            QStringLiteral("NSimSun"), QStringLiteral("WenQuanYi Zen Hei")};
}

} // namespace rebound
