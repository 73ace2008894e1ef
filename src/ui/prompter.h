#pragma once
// Every command reaches the user through this interface: messages, questions
// and file dialogs. The program uses QtPrompter; the tests answer in place of
// a person.

#include <QString>
#include <QStringList>

class QDialog;

namespace rebound {

enum class Answer { Yes, No, Cancel };
enum class Buttons { YesNo, YesNoCancel };

class Prompter {
public:
    virtual ~Prompter() = default;

    // Information or a failure, in a box titled with the application title.
    virtual void inform(const QString &text) = 0;
    // A question in a box titled "提示".
    virtual Answer ask(const QString &text, Buttons buttons) = 0;
    // File dialogs; `filter` in Qt's syntax ("描述(*.a *.b);;…"). An empty
    // result means the user cancelled.
    virtual QString openFile(const QString &filter) = 0;
    virtual QStringList openFiles(const QString &filter) = 0;
    // `dialog_confirmed_overwrite` is set when the dialog itself asked
    // whether to replace the file at the returned path.
    virtual QString saveFile(const QString &filter, bool &dialog_confirmed_overwrite) = 0;
    // Shows one of the program's dialogs modally; its result code.
    virtual int runDialog(QDialog &dialog) = 0;
};

} // namespace rebound
