#pragma once
// The zone panel: the current zone's number, instrument model and test date
// (editable) and its position count, mean strength and instrument data
// (read-only).

#include "model/rebound_file.h"

#include <QWidget>

class QLineEdit;

namespace rebound {

class DatePicker;
class GbkLineEdit;
class LocaleDates;

class ComponentPanel final : public QWidget {
    Q_OBJECT
public:
    ComponentPanel(const LocaleDates &dates, QWidget *parent = nullptr);

    // Fills every field from the zone and enables the panel.
    void fill(const ComponentInfo &zone);
    // Empties every field and disables the panel (no zone is current).
    void clearAndDisable();
    void showAreaCount(std::size_t count);

    GbkLineEdit *nameEdit() const { return txt_component_name_; }
    DatePicker *datePicker() const { return dt_examine_date_; }

signals:
    void nameEdited(const QString &text);
    void deviceTypeEdited(const QString &text);
    void datePicked(const QDate &date);
    void textRefused(const QString &character);

private:
    QLineEdit *readOnly(const char *name);

    GbkLineEdit *txt_component_name_;
    QLineEdit *txt_area_number_;
    DatePicker *dt_examine_date_;
    QLineEdit *Edit_FNI_;
    GbkLineEdit *txt_device_type_;
    QLineEdit *txt_dev_vision_;
    QLineEdit *txt_device_serial_;
    QLineEdit *txt_CheckNum_;
};

} // namespace rebound
