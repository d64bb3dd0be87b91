#pragma once

class QLineEdit;

// A line edit that holds at most `maxLength` UTF-16 units, as QLineEdit::setMaxLength would,
// except that what is typed or pasted past the limit is cut on a character boundary: the part of
// the insertion that does not fit is dropped whole, never half of a surrogate pair.
namespace UiBoundedField {

void limit(QLineEdit *edit, int maxLength);

} // namespace UiBoundedField
