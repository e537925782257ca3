#include "records/EntryMarks.h"

namespace tenvik::records {

EntryMarks EntryMarksOf(int day, std::span<const Entry> entries)
{
    EntryMarks marks;
    for (const Entry& entry : entries) {
        if (entry.day != day)
            continue;
        switch (entry.kind) {
        case EntryKind::Trade:
            marks.trade = true;
            break;
        case EntryKind::Leave:
            marks.leave = true;
            break;
        case EntryKind::Extra:
            marks.extra = true;
            break;
        case EntryKind::Note:
            marks.note = true;
            break;
        }
    }
    return marks;
}

} // namespace tenvik::records
