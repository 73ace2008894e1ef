#include "project_panel.h"

#include "app_texts.h"
#include "date_picker.h"
#include "gbk_text.h"
#include "locale_dates.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include <map>

namespace rebound {

namespace {

// Every field by its place in the header: its label and its control.
struct Row {
    int number;
    const char *label;
};

constexpr Row kRows[] = {
    {1, "工程名称："},   {2, "工程地址："},       {3, "施工日期："},       {4, "施工单位："},
    {5, "设计单位："},   {6, "监理单位："},       {7, "监督单位："},       {8, "砂浆生产单位："},
    {9, "委托单位："},   {10, "委托日期："},      {11, "报告编号："},      {12, "检测编号："},
    {13, "检测原因："},  {14, "检测依据："},      {15, "检测环境："},      {16, "设计强度："},
    {17, "原材料："},    {18, "测试部位："},      {19, "砂浆强度评定值："}, {20, "强度标准差："},
    {21, "变异系数："},  {22, "测区强度平均值："}, {23, "测区强度最小值："}, {24, "测区数目："},
    {25, "工程分类："},
};

// The six lines of the panel, as rows of the table above.
constexpr int kLines[5][4] = {
    {1, 11, 4, 3}, {12, 13, 14, 15}, {9, 10, 2, 5}, {6, 7, 8, 16}, {17, 18, 24, 25},
};
constexpr int kLastLine[5] = {22, 23, 19, 20, 21};
constexpr int kTabOrder[] = {1, 11, 12, 13, 14, 15, 4, 3, 9, 10, 2, 5, 6, 7, 8, 16, 19, 21, 20, 25, 24, 17, 18, 23, 22};

const char *LabelOf(int number)
{
    for (const Row &row : kRows) {
        if (row.number == number)
            return row.label;
    }
    return "";
}

QString Format(const char *pattern, double value)
{
    return QString::asprintf(pattern, value);
}

} // namespace

ProjectPanel::ProjectPanel(const LocaleDates &dates, QWidget *parent) : QWidget(parent), dates_(dates)
{
    setObjectName(QStringLiteral("ProjectPanel"));
    addText("txt_project_name", &ReboundFile::project_name);
    addText("txt_project_address", &ReboundFile::project_address);
    addDate("dt_construction_date", &ReboundFile::construction_date);
    addText("txt_constructor", &ReboundFile::construction_unit);
    addText("txt_design_unit", &ReboundFile::design_unit);
    addText("txt_supervision_unit", &ReboundFile::supervision_unit);
    addText("txt_monitor", &ReboundFile::monitor_unit);
    addText("txt_concrete_producer", &ReboundFile::concrete_producer, 142);
    addText("txt_agent_unit", &ReboundFile::agent_unit);
    addDate("dt_agent_date", &ReboundFile::agent_date);
    addText("txt_report_serial", &ReboundFile::report_serial);
    addText("txt_examine_serial", &ReboundFile::examine_serial);
    addText("txt_examine_reason", &ReboundFile::examine_reason);
    addText("txt_examine_basis", &ReboundFile::examine_basis);
    addText("txt_examine_condition", &ReboundFile::examine_condition);
    addText("Edit_DesignPower", &ReboundFile::design_strength);
    addText("Edit_Yuanliao", &ReboundFile::raw_material);
    addText("Edit_CeshiBuwei", &ReboundFile::test_part);
    txt_Fn_ = addResult("txt_Fn", 54);
    txt_sfcu_ = addResult("txt_sfcu", 58);
    txt_Cv_ = addResult("txt_Cv", 59);
    Edit_CequPinjun_ = addResult("Edit_CequPinjun", 57);
    Edit_MinCequ_ = addResult("Edit_MinCequ", 60);
    Edit_AreaNum_ = addResult("Edit_AreaNum", 165);

    ComboBox_ProjectClass_ = new QComboBox(this);
    ComboBox_ProjectClass_->setObjectName(QStringLiteral("ComboBox_ProjectClass"));
    ComboBox_ProjectClass_->addItem(QStringLiteral("在建或新建砌体工程"));
    ComboBox_ProjectClass_->addItem(QStringLiteral("既有砌体工程"));
    ComboBox_ProjectClass_->setFixedWidth(168);
    // Only a pick by the user writes the class back; a refresh never does.
    connect(ComboBox_ProjectClass_, &QComboBox::activated, this, &ProjectPanel::projectClassPicked);

    QFont song(SongFamilies().front());
    song.setFamilies(SongFamilies());
    song.setPixelSize(13);
    setFont(song);
    layOut();
}

GbkLineEdit *ProjectPanel::addText(const char *name, TansyString ReboundFile::*member, int width)
{
    auto *edit = new GbkLineEdit(this);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setFixedWidth(width);
    connect(edit, &GbkLineEdit::refused, this, &ProjectPanel::textRefused);
    texts_.push_back({member, edit});
    return edit;
}

DatePicker *ProjectPanel::addDate(const char *name, TansyString ReboundFile::*member)
{
    auto *picker = new DatePicker(dates_, this);
    picker->setObjectName(QString::fromLatin1(name));
    picker->setFixedWidth(168);
    date_fields_.push_back({member, picker});
    return picker;
}

QLineEdit *ProjectPanel::addResult(const char *name, int width)
{
    auto *edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setReadOnly(true);
    edit->setFixedWidth(width);
    // Read-only fields take the panel's colour.
    QPalette colours = edit->palette();
    colours.setColor(QPalette::Base, colours.color(QPalette::Window));
    edit->setPalette(colours);
    return edit;
}

void ProjectPanel::layOut()
{
    std::map<int, QWidget *> field_of;
    const int text_rows[] = {1, 2, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15, 16, 17, 18};
    for (std::size_t i = 0; i < texts_.size(); ++i)
        field_of[text_rows[i]] = texts_[i].edit;
    field_of[3] = date_fields_[0].picker;
    field_of[10] = date_fields_[1].picker;
    field_of[19] = txt_Fn_;
    field_of[20] = txt_sfcu_;
    field_of[21] = txt_Cv_;
    field_of[22] = Edit_CequPinjun_;
    field_of[23] = Edit_MinCequ_;
    field_of[24] = Edit_AreaNum_;
    field_of[25] = ComboBox_ProjectClass_;

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(5);
    const auto label = [this](int number) {
        auto *text = new QLabel(QString::fromUtf8(LabelOf(number)), this);
        text->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return text;
    };
    for (int line = 0; line < 5; ++line) {
        for (int pair = 0; pair < 4; ++pair) {
            const int number = kLines[line][pair];
            QLabel *text = label(number);
            text->setBuddy(field_of[number]);
            grid->addWidget(text, line, pair * 2);
            grid->addWidget(field_of[number], line, pair * 2 + 1, Qt::AlignLeft);
        }
    }
    auto *last = new QHBoxLayout;
    last->setSpacing(4);
    for (int number : kLastLine) {
        last->addWidget(label(number));
        last->addWidget(field_of[number]);
        last->addSpacing(10);
    }
    last->addStretch(1);
    grid->addLayout(last, 5, 0, 1, 8);
    grid->setColumnStretch(8, 1);
    grid->setRowStretch(6, 1);

    QWidget *previous = nullptr;
    for (int number : kTabOrder) {
        if (previous)
            setTabOrder(previous, field_of[number]);
        previous = field_of[number];
    }
}

void ProjectPanel::refresh(const ReboundFile &project)
{
    // Every field is written, whatever an earlier one held: a date text that
    // does not parse shows no date and stops nothing.
    for (const TextField &field : texts_)
        field.edit->showText(DisplayText(project.*field.member));
    for (const DateField &field : date_fields_)
        field.picker->showStoredText(project.*field.member);
    refreshResults(project);
}

void ProjectPanel::refreshResults(const ReboundFile &project)
{
    txt_Fn_->setText(Format("%.1f", project.assessed_strength));
    txt_sfcu_->setText(Format("%.2f", project.strength_std_dev));
    txt_Cv_->setText(Format("%.2f", project.variation_coefficient));
    Edit_CequPinjun_->setText(Format("%.2f", project.zone_strength_mean));
    Edit_MinCequ_->setText(Format("%.2f", project.zone_strength_min));
    Edit_AreaNum_->setText(QString::number(project.ComponentCount()));
    // Any class but 0 is existing masonry, as the calculation treats it; the
    // stored value stays until the user picks an entry.
    ComboBox_ProjectClass_->setCurrentIndex(project.project_class == 0 ? 0 : 1);
}

void ProjectPanel::commit(ReboundFile &project)
{
    for (const TextField &field : texts_)
        project.*field.member = EditedBytes(field.edit->text(), project.*field.member);
    for (const DateField &field : date_fields_) {
        project.*field.member = field.picker->committedText(project.*field.member);
        field.picker->markCommitted();
    }
}

bool ProjectPanel::hasUncommittedChanges(const ReboundFile &project) const
{
    for (const TextField &field : texts_) {
        if (EditedBytes(field.edit->text(), project.*field.member) != project.*field.member)
            return true;
    }
    for (const DateField &field : date_fields_) {
        if (field.picker->committedText(project.*field.member) != project.*field.member)
            return true;
    }
    return false;
}

} // namespace rebound
