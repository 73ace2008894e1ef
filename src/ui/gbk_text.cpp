#include "gbk_text.h"

namespace rebound {

QString DisplayText(const TansyString &bytes)
{
    return QString::fromStdString(GbkToUtf8(bytes));
}

TansyString EditedBytes(const QString &text, const TansyString &stored)
{
    if (text == DisplayText(stored))
        return stored;
    GbkEncoding whole = Utf8ToGbk(text.toStdString());
    if (whole.ok)
        return whole.bytes;
    TansyString bytes;
    for (const char32_t code : text.toUcs4()) {
        const QString one = QString::fromUcs4(&code, 1);
        const GbkEncoding single = Utf8ToGbk(one.toStdString());
        bytes += single.ok ? std::string(single.bytes) : std::string("?");
    }
    return bytes;
}

QString RefusedCharacterText(const QString &character)
{
    return QStringLiteral("不能输入字符“%1”：报表和工程文件无法保存它。").arg(character);
}

QValidator::State GbkValidator::validate(QString &input, int &) const
{
    // The inserted part: what lies between the common start and the common
    // end of the previous and the new text.
    const qsizetype limit = std::min(input.size(), accepted_.size());
    qsizetype head = 0;
    while (head < limit && input[head] == accepted_[head])
        ++head;
    qsizetype tail = 0;
    while (tail < limit - head && input[input.size() - 1 - tail] == accepted_[accepted_.size() - 1 - tail])
        ++tail;
    // Keep surrogate pairs whole.
    if (head > 0 && input[head - 1].isHighSurrogate())
        --head;
    if (tail > 0 && input[input.size() - tail].isLowSurrogate())
        --tail;
    const QString inserted = input.mid(head, input.size() - head - tail);
    if (inserted.isEmpty())
        return Acceptable;
    const GbkEncoding encoded = Utf8ToGbk(inserted.toStdString());
    if (encoded.ok)
        return Acceptable;
    emit refused(QString::fromStdString(encoded.bad_char));
    return Invalid;
}

GbkLineEdit::GbkLineEdit(QWidget *parent) : QLineEdit(parent), validator_(new GbkValidator(this))
{
    setValidator(validator_);
    // The message waits until the edit has put the previous text back.
    connect(validator_, &GbkValidator::refused, this, &GbkLineEdit::refused, Qt::QueuedConnection);
    connect(this, &QLineEdit::textChanged, validator_, &GbkValidator::setAccepted);
    connect(this, &QLineEdit::textEdited, this, &GbkLineEdit::edited);
}

void GbkLineEdit::showText(const QString &text)
{
    validator_->setAccepted(text);
    setText(text);
    // A long text shows its beginning, not its end.
    setCursorPosition(0);
}

} // namespace rebound
