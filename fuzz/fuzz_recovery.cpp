// Feeds arbitrary bytes to the reader of recovery copies: reading the record,
// judging the copy whole or damaged, the question asked about it and loading
// what can be read must never crash or hang; and a copy written from what was
// read must read back whole, with the same record.
#include "engine/model/boatmeet.h"
#include "engine/model/textfile.h"
#include "engine/session/recovery.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    bm::RecoveryCopy copy;
    if (!bm::ParseRecoveryCopy(bytes, copy))
        return 0;
    for (const bm::RecoveryKind kind : {bm::RecoveryKind::Unsaved, bm::RecoveryKind::FileChanged,
                                        bm::RecoveryKind::Damaged, bm::RecoveryKind::Unreadable}) {
        copy.Kind = kind;
        bm::RecoveryQuestion(copy);
    }
    const std::string text =
        bm::IsValidUtf8(bytes) ? std::string(bytes) : bm::Windows1252ToUtf8(bytes);
    const std::string meetText = bm::Boatmeet::LoadFromText(text)->SavedText();
    const std::string written =
        bm::RecoveryCopyText(meetText, copy.MeetFile, copy.Changed, copy.Base);
    bm::RecoveryCopy again;
    if (!bm::ParseRecoveryCopy(written, again) || again.Kind != bm::RecoveryKind::Unsaved ||
        again.MeetFile != copy.MeetFile || again.Changed != copy.Changed ||
        again.Base.Exists != copy.Base.Exists ||
        (copy.Base.Exists && !again.Base.SameContent(copy.Base)) ||
        !again.Content.SameContent({true, meetText.size(), bm::HashBytes(meetText)}))
        std::abort();
    return 0;
}
