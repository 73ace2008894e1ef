#include "random_seed_dialog.h"

#include "command_guard.h"
#include "prompter.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace rebound {

RandomSeedDialog::RandomSeedDialog(Prompter &prompter, QWidget *parent) : QDialog(parent), prompter_(prompter)
{
    setObjectName(QStringLiteral("Random_Seed_Form"));
    setWindowTitle(QStringLiteral("设置种子数据"));
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    Input_Value_Edit1_ = new QLineEdit(QString::number(range_.low), this);
    Input_Value_Edit1_->setObjectName(QStringLiteral("Input_Value_Edit1"));
    Input_Value_Edit2_ = new QLineEdit(QString::number(range_.low + range_.span), this);
    Input_Value_Edit2_->setObjectName(QStringLiteral("Input_Value_Edit2"));
    OKBtn_ = new QPushButton(QStringLiteral("确定"), this);
    OKBtn_->setObjectName(QStringLiteral("OKBtn"));
    OKBtn_->setDefault(true);
    OKBtn_->setAutoDefault(true);
    for (QLineEdit *edit : {Input_Value_Edit1_, Input_Value_Edit2_})
        edit->setFixedWidth(56);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(Input_Value_Edit1_);
    layout->addWidget(Input_Value_Edit2_);
    layout->addWidget(OKBtn_);
    resize(204, 40);

    connect(OKBtn_, &QPushButton::clicked, this, [this] {
        RunGuarded(prompter_, [this] { OKBtnClick(); });
        // The button closes the dialog with OK whatever the check found.
        accept();
    });
}

void RandomSeedDialog::OKBtnClick()
{
    // The edits keep what the user typed, also when it is refused.
    if (!ParseReadingRange(Input_Value_Edit1_->text().toStdString(), Input_Value_Edit2_->text().toStdString(), range_))
        prompter_.inform(QStringLiteral("输入有误"));
}

} // namespace rebound
