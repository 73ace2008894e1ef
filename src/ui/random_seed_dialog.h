#pragma once
// The dialog that sets the range of random readings ("设置种子数据"): two
// numbers, the ends of the range in either order.

#include "evaluation/random_readings.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace rebound {

class Prompter;

class RandomSeedDialog final : public QDialog {
    Q_OBJECT
public:
    explicit RandomSeedDialog(Prompter &prompter, QWidget *parent = nullptr);

    ReadingRange range() const { return range_; }
    QLineEdit *firstEdit() const { return Input_Value_Edit1_; }
    QLineEdit *secondEdit() const { return Input_Value_Edit2_; }
    QPushButton *okButton() const { return OKBtn_; }

private:
    void OKBtnClick();

    Prompter &prompter_;
    ReadingRange range_;
    QLineEdit *Input_Value_Edit1_;
    QLineEdit *Input_Value_Edit2_;
    QPushButton *OKBtn_;
};

} // namespace rebound
