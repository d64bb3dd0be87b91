#include "core/Messenger.h"

int buttonResult(const QString &caption)
{
    struct Kind
    {
        const char *caption;
        int result;
    };
    static const Kind kinds[] = {
        {"OK", MsgResult::Ok},          {"Mégse", MsgResult::Cancel},   {"Bezár", MsgResult::Cancel},
        {"Megszakít", MsgResult::Abort}, {"Újra", MsgResult::Retry},     {"Visszavon", MsgResult::Undo},
        {"Igen", MsgResult::Yes},       {"Nem", MsgResult::No},         {"Súgó", MsgResult::Help},
    };
    for (const Kind &kind : kinds) {
        if (caption == QString::fromUtf8(kind.caption))
            return kind.result;
    }
    return 0;
}
