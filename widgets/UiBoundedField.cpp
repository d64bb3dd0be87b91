#include "widgets/UiBoundedField.h"

#include <QLineEdit>
#include <QValidator>

namespace {

// Cuts the excess out of the text just before the cursor, where an insertion ends, widening the
// cut so that no surrogate pair is split.
class BoundedTextValidator : public QValidator
{
public:
    BoundedTextValidator(int maxLength, QObject *parent)
        : QValidator(parent)
        , m_maxLength(maxLength)
    {
    }

    State validate(QString &input, int &pos) const override
    {
        const qsizetype excess = input.size() - m_maxLength;
        if (excess <= 0)
            return Acceptable;
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
        return Acceptable;
    }

private:
    int m_maxLength;
};

} // namespace

namespace UiBoundedField {

void limit(QLineEdit *edit, int maxLength)
{
    // QLineEdit's own limit would cut the insertion first, inside a pair; the validator cuts.
    edit->setMaxLength(32767);
    edit->setValidator(new BoundedTextValidator(maxLength, edit));
}

} // namespace UiBoundedField
