#pragma once
// An editable drop-down that keeps what the player typed: nothing is completed
// while typing, and Enter never swaps the text for a list entry that differs in
// case. A choice from the list still fills the box.
#include <QComboBox>

namespace platform {

inline void keepTypedText(QComboBox *box)
{
    box->setEditable(true);
    box->setCompleter(nullptr);
    box->setDuplicatesEnabled(true);  // no look-up of the typed text in the list on Enter
    box->setInsertPolicy(QComboBox::NoInsert);
}

}  // namespace platform
