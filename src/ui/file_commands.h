#pragma once
// New, Open, Save, Save As and Exit, and the question about unsaved work
// that New, Open and closing the window ask.

#include <QString>

namespace rebound {

class MainWindow;
class Prompter;

// Asks for a file name to save to. The name gets `extension` appended unless
// it already ends with it exactly (case counts). A file the dialog did not
// already offer to replace is replaced only after a question. Empty when the
// user cancelled.
QString AskSavePath(Prompter &prompter, const QString &filter, const QString &extension);

class FileCommands {
public:
    explicit FileCommands(MainWindow &window) : window_(window) {}

    void FileNew1Execute();
    void FileOpen1Execute();
    void FileSave1Execute();
    void FileSaveAs1Execute();
    void FileExit1Execute();
    // Asked when the window is about to close: false keeps it open.
    bool MayClose();

    enum class SaveOutcome { Saved, Cancelled, Failed };
    // Writes the project to file_name, asking for a name while it has none.
    SaveOutcome SaveProject(QString &failure);
    // Always asks for a name first.
    SaveOutcome SaveProjectAs(QString &failure);

private:
    SaveOutcome writeTo(QString &failure);
    // "是否保存当前工程？": true to go on (the project was saved or the user
    // chose not to save it), false to stop.
    bool offerToSave();
    void reportSaveFailure(const QString &failure);

    MainWindow &window_;
};

} // namespace rebound
