#pragma once

class QLineEdit;
class QValidator;

// A line edit that holds at most `maxLength` UTF-16 units, as QLineEdit::setMaxLength would,
// except that what is typed or pasted past the limit is cut on a character boundary: the part of
// the insertion that does not fit is dropped whole, never half of a surrogate pair. An edit that
// would bring a control character (NUL, line break, tab, DEL …) into the field is refused whole.
namespace UiBoundedField {

// `inner`, when given, judges the bounded text after the cut (digits only, a range …); the field
// takes it over.
void limit(QLineEdit *edit, int maxLength, QValidator *inner = nullptr);

} // namespace UiBoundedField
