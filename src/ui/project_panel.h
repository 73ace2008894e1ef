#pragma once
// The project header panel: the inspection's descriptive fields (edited
// here, copied into the project only by CommitProjectPanel) and the unit's
// results (read-only), plus the project class, which the project takes at
// once when the user picks it.

#include "model/rebound_file.h"

#include <QWidget>

#include <vector>

class QComboBox;
class QLineEdit;

namespace rebound {

class DatePicker;
class GbkLineEdit;
class LocaleDates;

class ProjectPanel final : public QWidget {
    Q_OBJECT
public:
    ProjectPanel(const LocaleDates &dates, QWidget *parent = nullptr);

    // Shows every field of the project (RefreshProjectPanel).
    void refresh(const ReboundFile &project);
    // Shows only the unit results, the zone count and the class, leaving
    // typed header text alone.
    void refreshResults(const ReboundFile &project);
    // Copies the editable fields into the project (CommitProjectPanel).
    void commit(ReboundFile &project);
    // Whether commit would change the project.
    bool hasUncommittedChanges(const ReboundFile &project) const;

signals:
    void projectClassPicked(int index);
    void textRefused(const QString &character);

private:
    struct TextField {
        TansyString ReboundFile::*member;
        GbkLineEdit *edit;
    };
    struct DateField {
        TansyString ReboundFile::*member;
        DatePicker *picker;
    };

    GbkLineEdit *addText(const char *name, TansyString ReboundFile::*member, int width = 168);
    DatePicker *addDate(const char *name, TansyString ReboundFile::*member);
    QLineEdit *addResult(const char *name, int width);
    void layOut();

    const LocaleDates &dates_;
    std::vector<TextField> texts_;
    std::vector<DateField> date_fields_;
    QLineEdit *txt_Fn_ = nullptr;
    QLineEdit *txt_sfcu_ = nullptr;
    QLineEdit *txt_Cv_ = nullptr;
    QLineEdit *Edit_CequPinjun_ = nullptr;
    QLineEdit *Edit_MinCequ_ = nullptr;
    QLineEdit *Edit_AreaNum_ = nullptr;
    QComboBox *ComboBox_ProjectClass_ = nullptr;
};

} // namespace rebound
