#pragma once
// The model keeps GBK bytes; the window shows and edits Unicode. A field is
// encoded only when its text changed, so bytes nobody edits stay exactly as
// they were read (also bytes that do not decode cleanly).

#include "model/tansy_string.h"

#include <QLineEdit>
#include <QString>
#include <QValidator>

namespace rebound {

QString DisplayText(const TansyString &bytes);

// What to store for a field that shows `text` and holds `stored`: `stored`
// itself while the text is what it shows, else the text in GBK. Characters
// GBK cannot hold (only possible for text that came from undecodable bytes)
// become "?".
TansyString EditedBytes(const QString &text, const TansyString &stored);

// The refusal shown for a character the reports and project files cannot hold.
QString RefusedCharacterText(const QString &character);

// Refuses an edit that would insert a character GBK cannot hold. Only the
// inserted part is judged, so a field that already shows a replacement
// character for undecodable bytes can still be edited.
class GbkValidator final : public QValidator {
    Q_OBJECT
public:
    explicit GbkValidator(QObject *parent = nullptr) : QValidator(parent) {}
    State validate(QString &input, int &pos) const override;
    // The text the field held before the edit being judged.
    void setAccepted(const QString &text) { accepted_ = text; }

signals:
    // Emitted (queued by the owner) with the first refused character.
    void refused(const QString &character) const;

private:
    QString accepted_;
};

// A one-line edit for a model text: refuses characters GBK cannot hold at
// once and reports the user's accepted edits.
class GbkLineEdit final : public QLineEdit {
    Q_OBJECT
public:
    explicit GbkLineEdit(QWidget *parent = nullptr);
    // Shows a text as a refresh does: not an edit, never refused.
    void showText(const QString &text);

signals:
    void refused(const QString &character);
    // The user changed the text (typing, pasting, cutting, undo).
    void edited(const QString &text);

private:
    GbkValidator *validator_;
};

} // namespace rebound
