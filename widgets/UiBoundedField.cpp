#include "widgets/UiBoundedField.h"

#include <QLineEdit>
#include <QValidator>

namespace {

// Refuses control characters, cuts the excess out of the text just before the cursor, where an
// insertion ends, widening the cut so that no surrogate pair is split, then asks the inner
// validator.
class BoundedTextValidator : public QValidator
{
public:
    BoundedTextValidator(int maxLength, QValidator *inner, QObject *parent)
        : QValidator(parent)
        , m_maxLength(maxLength)
        , m_inner(inner)
    {
        if (m_inner)
            m_inner->setParent(this);
    }

    State validate(QString &input, int &pos) const override
    {
        for (const QChar c : std::as_const(input))
            if (c.category() == QChar::Other_Control)
                return Invalid;
        cut(input, pos);
        return m_inner ? m_inner->validate(input, pos) : Acceptable;
    }

    void fixup(QString &input) const override
    {
        if (m_inner)
            m_inner->fixup(input);
    }

private:
    void cut(QString &input, int &pos) const
    {
        const qsizetype excess = input.size() - m_maxLength;
        if (excess <= 0)
            return;
        qsizetype end = qBound(qsizetype(0), qsizetype(pos), input.size());
        qsizetype start = end - excess;
        if (start < 0) {
            start = 0;
            end = excess;
        }
        // Neither end of the cut may fall between the halves of a pair.
        if (start > 0 && input.at(start).isLowSurrogate())
            --start;
        if (end < input.size() && input.at(end).isLowSurrogate())
            ++end;
        input.remove(start, end - start);
        pos = int(start);
    }

    int m_maxLength;
    QValidator *m_inner;
};

} // namespace

namespace UiBoundedField {

void limit(QLineEdit *edit, int maxLength, QValidator *inner)
{
    // QLineEdit's own limit would cut the insertion first, inside a pair; the validator cuts.
    edit->setMaxLength(32767);
    edit->setValidator(new BoundedTextValidator(maxLength, inner, edit));
}

} // namespace UiBoundedField
