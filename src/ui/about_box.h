#pragma once
// The About box: what the program is for and its version.

#include <QDialog>

namespace rebound {

class AboutBox final : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget *parent = nullptr);
};

} // namespace rebound
