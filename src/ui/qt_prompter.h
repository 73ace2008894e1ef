#pragma once

#include "prompter.h"

#include <QPointer>
#include <QWidget>

namespace rebound {

// Message boxes and the platform's file dialogs, parented to a window.
class QtPrompter final : public Prompter {
public:
    explicit QtPrompter(QWidget *parent = nullptr) : parent_(parent) {}
    void setParentWidget(QWidget *parent) { parent_ = parent; }

    void inform(const QString &text) override;
    Answer ask(const QString &text, Buttons buttons) override;
    QString openFile(const QString &filter) override;
    QStringList openFiles(const QString &filter) override;
    QString saveFile(const QString &filter, bool &dialog_confirmed_overwrite) override;
    int runDialog(QDialog &dialog) override;

private:
    QPointer<QWidget> parent_;
    QString last_dir_;
};

} // namespace rebound
