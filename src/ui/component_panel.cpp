#include "component_panel.h"

#include "app_texts.h"
#include "date_picker.h"
#include "gbk_text.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace rebound {

ComponentPanel::ComponentPanel(const LocaleDates &dates, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ComponentPanel"));
    txt_component_name_ = new GbkLineEdit(this);
    txt_component_name_->setObjectName(QStringLiteral("txt_component_name"));
    txt_area_number_ = readOnly("txt_area_number");
    dt_examine_date_ = new DatePicker(dates, this);
    dt_examine_date_->setObjectName(QStringLiteral("dt_examine_date"));
    Edit_FNI_ = readOnly("Edit_FNI");
    txt_device_type_ = new GbkLineEdit(this);
    txt_device_type_->setObjectName(QStringLiteral("txt_device_type"));
    txt_dev_vision_ = readOnly("txt_dev_vision");
    txt_device_serial_ = readOnly("txt_device_serial");
    txt_CheckNum_ = readOnly("txt_CheckNum");

    connect(txt_component_name_, &GbkLineEdit::edited, this, &ComponentPanel::nameEdited);
    connect(txt_device_type_, &GbkLineEdit::edited, this, &ComponentPanel::deviceTypeEdited);
    connect(dt_examine_date_, &DatePicker::datePicked, this, &ComponentPanel::datePicked);
    connect(txt_component_name_, &GbkLineEdit::refused, this, &ComponentPanel::textRefused);
    connect(txt_device_type_, &GbkLineEdit::refused, this, &ComponentPanel::textRefused);

    struct Pair {
        const char *label;
        QWidget *field;
    };
    const Pair lines[2][4] = {
        {{"测区编号：", txt_component_name_},
         {"测位数：", txt_area_number_},
         {"检测日期：", dt_examine_date_},
         {"砂浆强度平均值：", Edit_FNI_}},
        {{"仪器型号：", txt_device_type_},
         {"版本号：", txt_dev_vision_},
         {"仪器编号：", txt_device_serial_},
         {"标定号：", txt_CheckNum_}},
    };
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(6);
    for (int line = 0; line < 2; ++line) {
        for (int pair = 0; pair < 4; ++pair) {
            auto *label = new QLabel(QString::fromUtf8(lines[line][pair].label), this);
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            label->setBuddy(lines[line][pair].field);
            lines[line][pair].field->setFixedWidth(140);
            grid->addWidget(label, line, pair * 2);
            grid->addWidget(lines[line][pair].field, line, pair * 2 + 1, Qt::AlignLeft);
        }
    }
    grid->setColumnStretch(8, 1);
    grid->setRowStretch(2, 1);

    QWidget *order[] = {txt_component_name_, txt_area_number_, dt_examine_date_, txt_device_type_,
                        txt_dev_vision_,     txt_device_serial_, txt_CheckNum_,   Edit_FNI_};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    QFont song(SongFamilies().front());
    song.setFamilies(SongFamilies());
    song.setPixelSize(13);
    setFont(song);
}

QLineEdit *ComponentPanel::readOnly(const char *name)
{
    auto *edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setReadOnly(true);
    // Read-only fields take the panel's colour.
    QPalette colours = edit->palette();
    colours.setColor(QPalette::Base, colours.color(QPalette::Window));
    edit->setPalette(colours);
    return edit;
}

void ComponentPanel::fill(const ComponentInfo &zone)
{
    setEnabled(true);
    txt_component_name_->showText(DisplayText(zone.component_name));
    showAreaCount(zone.AreaCount());
    txt_device_type_->showText(DisplayText(zone.device_type));
    txt_CheckNum_->setText(DisplayText(zone.check_num));
    Edit_FNI_->setText(QString::asprintf("%.2f", static_cast<double>(zone.mean_strength)));
    txt_device_serial_->setText(DisplayText(zone.device_serial));
    txt_dev_vision_->setText(DisplayText(zone.device_version));
    dt_examine_date_->showStoredText(zone.examine_date);
}

void ComponentPanel::clearAndDisable()
{
    txt_component_name_->showText(QString());
    txt_area_number_->clear();
    txt_device_type_->showText(QString());
    txt_CheckNum_->clear();
    Edit_FNI_->clear();
    txt_device_serial_->clear();
    txt_dev_vision_->clear();
    dt_examine_date_->showNoDate();
    setEnabled(false);
}

void ComponentPanel::showAreaCount(std::size_t count)
{
    txt_area_number_->setText(QString::number(count));
}

} // namespace rebound
