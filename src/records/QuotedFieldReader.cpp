#include "records/QuotedFieldReader.h"

namespace brevmark {

namespace {
bool isLineEnd(QChar c) { return c == QLatin1Char('\r') || c == QLatin1Char('\n'); }
} // namespace

QuotedFieldReader::QuotedFieldReader(QString text) : text_(std::move(text)) {}

void QuotedFieldReader::skipTerminator() {
    if (atEnd())
        return;
    const QChar c = text_.at(pos_);
    if (c == QLatin1Char(',')) {
        ++pos_;
    } else if (c == QLatin1Char('\r')) {
        ++pos_;
        if (!atEnd() && text_.at(pos_) == QLatin1Char('\n'))
            ++pos_;
    } else if (c == QLatin1Char('\n')) {
        ++pos_;
    }
}

std::optional<QString> QuotedFieldReader::next() {
    const std::optional<QStringView> field = nextView();
    if (!field)
        return std::nullopt;
    return field->toString();
}

std::optional<QStringView> QuotedFieldReader::nextView() {
    if (atEnd())
        return std::nullopt;
    const qsizetype n = text_.size();
    while (pos_ < n && text_.at(pos_) == QLatin1Char(' '))
        ++pos_;
    QStringView field;
    if (pos_ < n && text_.at(pos_) == QLatin1Char('"')) {
        const qsizetype close = text_.indexOf(QLatin1Char('"'), pos_ + 1);
        if (close < 0) {
            pos_ = n; // an unterminated quote swallows the rest: a damaged file
            return std::nullopt;
        }
        field = QStringView(text_).mid(pos_ + 1, close - pos_ - 1);
        pos_ = close + 1;
        while (pos_ < n && text_.at(pos_) != QLatin1Char(',') && !isLineEnd(text_.at(pos_)))
            ++pos_;
    } else {
        const qsizetype start = pos_;
        while (pos_ < n && text_.at(pos_) != QLatin1Char(',') && !isLineEnd(text_.at(pos_)))
            ++pos_;
        field = QStringView(text_).mid(start, pos_ - start);
        while (!field.isEmpty() && field.back() == QLatin1Char(' '))
            field.chop(1);
    }
    skipTerminator();
    return field;
}

} // namespace brevmark
