#include "file_commands.h"

#include "app_texts.h"
#include "command_guard.h"
#include "io/file_names.h"
#include "io/io_result.h"
#include "main_window.h"
#include "prompter.h"

#include <QFileInfo>

namespace rebound {

namespace {

QString Reason(const QString &headline, const std::string &why)
{
    return why.empty() ? headline : headline + QLatin1Char('\n') + QString::fromStdString(why);
}

} // namespace

QString AskSavePath(Prompter &prompter, const QString &filter, const QString &extension)
{
    bool dialog_confirmed = false;
    const QString chosen = prompter.saveFile(filter, dialog_confirmed);
    if (chosen.isEmpty())
        return {};
    const QString path = QString::fromStdString(WithExtension(chosen.toStdString(), extension.toStdString()));
    if (QFileInfo::exists(path) && !(dialog_confirmed && path == chosen)) {
        const QString question = QStringLiteral("文件[%1]已存在，是否替换它？").arg(path);
        if (prompter.ask(question, Buttons::YesNo) != Answer::Yes)
            return {};
    }
    return path;
}

bool FileCommands::offerToSave()
{
    switch (window_.prompter().ask(QStringLiteral("是否保存当前工程？"), Buttons::YesNoCancel)) {
    case Answer::Yes: {
        window_.CommitProjectPanel();
        QString failure;
        const SaveOutcome outcome = SaveProject(failure);
        if (outcome == SaveOutcome::Failed)
            reportSaveFailure(failure);
        return outcome == SaveOutcome::Saved;
    }
    case Answer::No:
        return true;
    case Answer::Cancel:
        break;
    }
    return false;
}

void FileCommands::reportSaveFailure(const QString &failure)
{
    window_.prompter().inform(failure.isEmpty() ? QStringLiteral("工程文件保存失败！")
                                                : QStringLiteral("工程文件保存失败！\n") + failure);
}

FileCommands::SaveOutcome FileCommands::writeTo(QString &failure)
{
    const IoResult written = window_.project().Save(window_.file_name().toStdString());
    if (!written.ok) {
        failure = QString::fromStdString(written.message);
        return SaveOutcome::Failed;
    }
    window_.MarkSaved();
    return SaveOutcome::Saved;
}

FileCommands::SaveOutcome FileCommands::SaveProject(QString &failure)
{
    if (window_.file_name().isEmpty())
        return SaveProjectAs(failure);
    return writeTo(failure);
}

FileCommands::SaveOutcome FileCommands::SaveProjectAs(QString &failure)
{
    const QString path = AskSavePath(window_.prompter(), ProjectFilter(), QStringLiteral(".prj"));
    if (path.isEmpty())
        return SaveOutcome::Cancelled;
    // The name stays, whether or not the write succeeds.
    window_.setFileName(path);
    return writeTo(failure);
}

void FileCommands::FileNew1Execute()
{
    // New asks every time, changed or not.
    if (!offerToSave())
        return;
    ReboundFile &project = window_.project();
    project.Reset();
    window_.setFileName(QString());
    project.AddDefaultComponent();
    window_.RefreshAll();
    window_.MarkSaved();
}

void FileCommands::FileOpen1Execute()
{
    if (window_.HasUnsavedChanges() && !offerToSave())
        return;
    const QString path = window_.prompter().openFile(ProjectFilter());
    if (path.isEmpty())
        return;
    // The reader changes the project only when the whole file has been read:
    // a failure leaves the open project and its name as they were.
    const IoResult loaded = window_.project().Load(path.toStdString());
    if (!loaded.ok) {
        window_.prompter().inform(Reason(QStringLiteral("工程文件[%1]导入失败！").arg(path), loaded.message));
        return;
    }
    window_.setFileName(path);
    window_.RefreshAll();
    window_.MarkSaved();
}

void FileCommands::FileSave1Execute()
{
    window_.CommitProjectPanel();
    QString failure;
    SaveOutcome outcome = SaveOutcome::Failed;
    try {
        outcome = SaveProject(failure);
    } catch (...) {
        failure = FailureText(std::current_exception());
    }
    if (outcome == SaveOutcome::Failed)
        reportSaveFailure(failure);
}

void FileCommands::FileSaveAs1Execute()
{
    window_.CommitProjectPanel();
    QString failure;
    SaveOutcome outcome = SaveOutcome::Failed;
    try {
        outcome = SaveProjectAs(failure);
    } catch (...) {
        failure = FailureText(std::current_exception());
    }
    if (outcome == SaveOutcome::Failed)
        reportSaveFailure(failure);
}

void FileCommands::FileExit1Execute()
{
    window_.close();
}

bool FileCommands::MayClose()
{
    return !window_.HasUnsavedChanges() || offerToSave();
}

} // namespace rebound
