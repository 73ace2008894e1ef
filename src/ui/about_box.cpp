#include "about_box.h"

#include <QFont>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace rebound {

AboutBox::AboutBox(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("关于..."));
    setFixedSize(544, 358);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setAutoFillBackground(true);
    QPalette white = panel->palette();
    white.setColor(QPalette::Window, Qt::white);
    panel->setPalette(white);

    auto *logo = new QLabel(panel);
    logo->setObjectName(QStringLiteral("ProgramIcon"));
    logo->setPixmap(QIcon(QStringLiteral(":/icons/logo.svg")).pixmap(QSize(495, 78)));
    logo->setFixedSize(495, 78);

    auto *product = new QLabel(QStringLiteral("Kestrel 砂浆回弹仪处理软件"), panel);
    product->setObjectName(QStringLiteral("ProductName"));
    QFont bold = product->font();
    bold.setBold(true);
    bold.setPixelSize(16);
    product->setFont(bold);

    auto *version = new QLabel(QStringLiteral("v 1.2  20161223"), panel);
    version->setObjectName(QStringLiteral("Version"));

    auto *comments = new QLabel(
        QStringLiteral("本程序处理砂浆回弹仪的检测数据：录入或导入各测区测位的回弹值和碳化深度，"
                       "计算测位与测区的砂浆强度，以及检测单元的强度平均值、最小值、标准差、"
                       "变异系数和砂浆强度评定值；保存、打开工程文件，导入、导出测区，打印检测报表。\n\n"
                       "程序版本：1.0.0.1"),
        panel);
    comments->setObjectName(QStringLiteral("Comments"));
    comments->setWordWrap(true);
    comments->setFixedWidth(329);
    comments->setMinimumHeight(120);
    comments->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *inner = new QVBoxLayout(panel);
    inner->setContentsMargins(16, 12, 16, 12);
    inner->addWidget(logo, 0, Qt::AlignHCenter);
    inner->addSpacing(8);
    inner->addWidget(product);
    inner->addWidget(version);
    inner->addSpacing(6);
    inner->addWidget(comments);
    inner->addStretch(1);

    auto *ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(panel, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addStretch(1);
    layout->addLayout(buttons);
}

} // namespace rebound
