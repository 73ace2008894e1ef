#pragma once
// Answers the window's questions and file dialogs in place of a person and
// records every message.

#include "prompter.h"

#include <QDialog>
#include <QList>
#include <QStringList>

#include <functional>

class ScriptedPrompter final : public rebound::Prompter {
public:
    QStringList messages;   // every inform(), in order
    QStringList questions;  // every ask(), in order
    QStringList filters;    // the filter of every file dialog, in order
    int file_dialogs = 0;

    // The next answers; a question without a scripted answer is recorded in
    // `unanswered` and answered Cancel (No for Yes/No questions).
    QList<rebound::Answer> answers;
    QStringList unanswered;
    QStringList open_answers;            // empty string: cancelled
    QList<QStringList> open_many_answers;
    QStringList save_answers;            // empty string: cancelled
    bool save_dialog_confirmed = false;  // the dialog asked about replacing
    // How a shown dialog is handled; by default it is accepted.
    std::function<int(QDialog &)> on_dialog;
    QList<QDialog *> dialogs;
    // When set, the call after `fail_after` further calls (of any kind)
    // runs it (to throw) first.
    std::function<void()> fail_next;
    int fail_after = 0;

    void inform(const QString &text) override
    {
        failIfAsked();
        messages << text;
    }

    rebound::Answer ask(const QString &text, rebound::Buttons buttons) override
    {
        failIfAsked();
        questions << text;
        if (answers.isEmpty()) {
            unanswered << text;
            return buttons == rebound::Buttons::YesNoCancel ? rebound::Answer::Cancel : rebound::Answer::No;
        }
        return answers.takeFirst();
    }

    QString openFile(const QString &filter) override
    {
        failIfAsked();
        ++file_dialogs;
        filters << filter;
        return open_answers.isEmpty() ? QString() : open_answers.takeFirst();
    }

    QStringList openFiles(const QString &filter) override
    {
        failIfAsked();
        ++file_dialogs;
        filters << filter;
        return open_many_answers.isEmpty() ? QStringList() : open_many_answers.takeFirst();
    }

    QString saveFile(const QString &filter, bool &confirmed) override
    {
        failIfAsked();
        ++file_dialogs;
        filters << filter;
        confirmed = save_dialog_confirmed;
        return save_answers.isEmpty() ? QString() : save_answers.takeFirst();
    }

    int runDialog(QDialog &dialog) override
    {
        failIfAsked();
        dialogs << &dialog;
        if (on_dialog)
            return on_dialog(dialog);
        dialog.accept();
        return QDialog::Accepted;
    }

    void clear()
    {
        messages.clear();
        questions.clear();
        filters.clear();
        unanswered.clear();
        dialogs.clear();
        file_dialogs = 0;
    }

private:
    void failIfAsked()
    {
        if (fail_next && fail_after-- == 0) {
            auto fail = std::move(fail_next);
            fail_next = nullptr;
            fail();
        }
    }
};
