#include "report_setting_form.h"

#include "binding/template_paths.h"
#include "command_guard.h"
#include "config/report_config.h"
#include "gbk_text.h"
#include "prompter.h"

#include <QCheckBox>
#include <QCollator>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace rebound {

namespace {

QComboBox *DropDownList(const char *name, QWidget *parent)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setEditable(false);
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setMinimumContentsLength(12);
    return list;
}

// The name as the configuration stores it (GBK).
TansyString GbkName(const QString &name)
{
    return Utf8ToGbk(name.toStdString()).bytes;
}

} // namespace

TReport_Setting_Form::TReport_Setting_Form(Rebound_Tester_Config &config, Prompter &prompter, QWidget *parent)
    : QDialog(parent), config_(config), prompter_(prompter)
{
    setObjectName(QStringLiteral("Report_Setting_Form"));
    setWindowTitle(QStringLiteral("报表设置"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    auto *templates = new QGroupBox(QStringLiteral("模板设置"), this);
    templates->setObjectName(QStringLiteral("sGroupBox1"));
    Area_Template_Cb_ = DropDownList("Area_Template_Cb", templates);
    Component_Template_Cb_ = DropDownList("Component_Template_Cb", templates);
    auto *template_grid = new QGridLayout(templates);
    template_grid->addWidget(new QLabel(QStringLiteral("测区模版："), templates), 0, 0);
    template_grid->addWidget(Area_Template_Cb_, 0, 1);
    template_grid->addWidget(new QLabel(QStringLiteral("单元模版："), templates), 1, 0);
    template_grid->addWidget(Component_Template_Cb_, 1, 1);
    template_grid->setColumnStretch(1, 1);

    auto *printing = new QGroupBox(QStringLiteral("打印设置"), this);
    printing->setObjectName(QStringLiteral("sGroupBox2"));
    Default_Print_Template_Cb_ = DropDownList("Default_Print_Template_Cb", printing);
    Default_Print_Template_Cb_->addItem(QStringLiteral("只打印单元"));
    Default_Print_Template_Cb_->addItem(QStringLiteral("只打印测区"));
    CheckBox1_ = new QCheckBox(QStringLiteral("打印页眉"), printing);
    CheckBox1_->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox2_ = new QCheckBox(QStringLiteral("打印页脚"), printing);
    CheckBox2_->setObjectName(QStringLiteral("CheckBox2"));
    Page_Header_Txt_ = new GbkLineEdit(printing);
    Page_Header_Txt_->setObjectName(QStringLiteral("Page_Header_Txt"));
    Page_Footer_Txt_ = new GbkLineEdit(printing);
    Page_Footer_Txt_->setObjectName(QStringLiteral("Page_Footer_Txt"));
    auto *print_grid = new QGridLayout(printing);
    print_grid->addWidget(new QLabel(QStringLiteral("默认模版："), printing), 0, 0);
    print_grid->addWidget(Default_Print_Template_Cb_, 0, 1);
    print_grid->addWidget(new QLabel(QStringLiteral("页    眉："), printing), 1, 0);
    print_grid->addWidget(Page_Header_Txt_, 1, 1);
    print_grid->addWidget(CheckBox1_, 1, 2);
    print_grid->addWidget(new QLabel(QStringLiteral("页    脚："), printing), 2, 0);
    print_grid->addWidget(Page_Footer_Txt_, 2, 1);
    print_grid->addWidget(CheckBox2_, 2, 2);
    print_grid->setColumnStretch(1, 1);

    sButton2_ = new QPushButton(QStringLiteral("确   定"), this);
    sButton2_->setObjectName(QStringLiteral("sButton2"));
    sButton2_->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(sButton2_);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(templates);
    layout->addWidget(printing);
    layout->addStretch(1);
    layout->addLayout(buttons);
    setFixedSize(478, 263);

    connect(sButton2_, &QPushButton::clicked, this, [this] {
        if (RunGuarded(prompter_, [this] { sButton2Click(); }))
            accept();
    });
    // A change of a box's state, by the user or by the fill, stores the
    // switch at once; a box whose state does not change leaves it alone.
    connect(CheckBox1_, &QCheckBox::toggled, this, [this] { RunGuarded(prompter_, [this] { CheckBox1Click(); }); });
    connect(CheckBox2_, &QCheckBox::toggled, this, [this] { RunGuarded(prompter_, [this] { CheckBox2Click(); }); });
    for (GbkLineEdit *edit : {Page_Header_Txt_, Page_Footer_Txt_}) {
        connect(edit, &GbkLineEdit::refused, this,
                [this](const QString &character) { prompter_.inform(RefusedCharacterText(character)); });
    }
}

void TReport_Setting_Form::ListTemplates(QComboBox *list, const QString &directory, const QString &configured)
{
    // Plain files only: no directories, no hidden files, no sockets or
    // broken links. A name the configuration (GBK) cannot hold could never
    // be chosen, so it is left out.
    QStringList names;
    for (const QString &name : QDir(directory).entryList(QDir::Files)) {
        if (Utf8ToGbk(name.toStdString()).ok)
            names << name;
    }
    if (names.isEmpty()) {
        prompter_.inform(QStringLiteral("没有发现测区模版文件文件"));
        return;
    }
    // The file system lists entries in no fixed order: Chinese order
    // (Chinese names by pinyin, then Latin ones ignoring case, numbers by
    // value), code points deciding between names it counts as equal.
    QCollator collator(QLocale(QLocale::Chinese, QLocale::China));
    collator.setNumericMode(true);
    std::sort(names.begin(), names.end(), [&collator](const QString &a, const QString &b) {
        const int order = collator.compare(a, b);
        return order != 0 ? order < 0 : a < b;
    });
    list->clear();
    list->addItems(names);
    list->setCurrentIndex(0);
    const int found = static_cast<int>(names.indexOf(configured));
    if (found >= 0) {
        list->setCurrentIndex(found);
    } else {
        prompter_.inform(QStringLiteral("选用默认的第一个模版。"));
        list->setCurrentIndex(0);
    }
}

void TReport_Setting_Form::FillSettingsDialog()
{
    const std::string &base = config_.GetBaseDir();
    ListTemplates(Area_Template_Cb_, QString::fromStdString(TemplateDirectory(base, ReportKind::Zone)),
                  DisplayText(config_.zone_template.value));
    ListTemplates(Component_Template_Cb_, QString::fromStdString(TemplateDirectory(base, ReportKind::Unit)),
                  DisplayText(config_.unit_template.value));
    config_.zone_template.value = GbkName(Area_Template_Cb_->currentText());
    config_.unit_template.value = GbkName(Component_Template_Cb_->currentText());
    Page_Header_Txt_->showText(DisplayText(config_.page_header.value));
    Page_Footer_Txt_->showText(DisplayText(config_.page_footer.value));
    const std::int32_t kind = config_.report_kind.value;
    Default_Print_Template_Cb_->setCurrentIndex(kind == 0 || kind == 1 ? kind : -1);
    CheckBox1_->setChecked(config_.print_header.value == "1");
    CheckBox2_->setChecked(config_.print_footer.value == "1");
    // Nobody is told at start-up when this fails; the dialog's OK is.
    (void)config_.WriteConfig();
}

void TReport_Setting_Form::sButton2Click()
{
    config_.zone_template.value = GbkName(Area_Template_Cb_->currentText());
    config_.unit_template.value = GbkName(Component_Template_Cb_->currentText());
    config_.page_header.value = EditedBytes(Page_Header_Txt_->text(), config_.page_header.value);
    config_.page_footer.value = EditedBytes(Page_Footer_Txt_->text(), config_.page_footer.value);
    config_.report_kind.value = Default_Print_Template_Cb_->currentIndex();
    // The choice holds for this run either way; the user learns that it
    // will not survive a restart.
    const IoResult written = config_.WriteConfig();
    if (!written)
        prompter_.inform(QStringLiteral("报表设置没有保存：%1").arg(QString::fromStdString(written.message)));
}

void TReport_Setting_Form::CheckBox1Click()
{
    config_.print_header.value = CheckBox1_->isChecked() ? "1" : "0";
}

void TReport_Setting_Form::CheckBox2Click()
{
    config_.print_footer.value = CheckBox2_->isChecked() ? "1" : "0";
}

} // namespace rebound
