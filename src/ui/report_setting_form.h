#pragma once
// The report settings dialog "报表设置": the zone and unit report templates
// among the files of the two template directories, the kind of report the
// print commands produce, and the page header and footer with their
// switches. It works directly on the report configuration and writes it to
// the settings file. Filled once, when the main window is first shown;
// shown modally from the File menu as often as the user likes.

#include <QDialog>

class QCheckBox;
class QComboBox;
class QPushButton;

namespace rebound {

class GbkLineEdit;
class Prompter;
class Rebound_Tester_Config;

class TReport_Setting_Form final : public QDialog {
    Q_OBJECT
public:
    TReport_Setting_Form(Rebound_Tester_Config &config, Prompter &prompter, QWidget *parent = nullptr);

    // Fills the controls from the configuration (the template lists from
    // the directories), takes the templates actually selected into the
    // configuration and writes it.
    void FillSettingsDialog();

    QComboBox *Area_Template_Cb() const { return Area_Template_Cb_; }
    QComboBox *Component_Template_Cb() const { return Component_Template_Cb_; }
    QComboBox *Default_Print_Template_Cb() const { return Default_Print_Template_Cb_; }
    QCheckBox *CheckBox1() const { return CheckBox1_; }
    QCheckBox *CheckBox2() const { return CheckBox2_; }
    GbkLineEdit *Page_Header_Txt() const { return Page_Header_Txt_; }
    GbkLineEdit *Page_Footer_Txt() const { return Page_Footer_Txt_; }
    QPushButton *sButton2() const { return sButton2_; }

private:
    // Fills `list` with the files of `directory` (sorted by name) and
    // selects the entry named `configured`, else entry 0 with a message.
    // An empty or missing directory: a message, and the list stays as it was.
    void ListTemplates(QComboBox *list, const QString &directory, const QString &configured);
    void sButton2Click();
    void CheckBox1Click();
    void CheckBox2Click();

    Rebound_Tester_Config &config_;
    Prompter &prompter_;
    QComboBox *Area_Template_Cb_;
    QComboBox *Component_Template_Cb_;
    QComboBox *Default_Print_Template_Cb_;
    QCheckBox *CheckBox1_;
    QCheckBox *CheckBox2_;
    GbkLineEdit *Page_Header_Txt_;
    GbkLineEdit *Page_Footer_Txt_;
    QPushButton *sButton2_;
};

} // namespace rebound
