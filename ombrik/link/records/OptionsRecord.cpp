#include "OptionsRecord.h"

#include <algorithm>

namespace ombrik {

using namespace qs;

void OptionsRecord::Encode(ByteWriter& w) const
{
    w.PutByte(inputModuleKind);
    w.PutByte(outputModuleKind);
}

OptionsRecord OptionsRecord::Decode(ByteReader& r)
{
    OptionsRecord o;
    o.inputModuleKind = r.GetByte();
    o.outputModuleKind = r.GetByte();
    return o;
}

OptionsRecord OptionsRecord::FromSelection(int inputItemIndex, int outputItemIndex)
{
    auto code = [](int index) { return static_cast<std::uint8_t>(std::clamp(index, 0, 255)); };
    return OptionsRecord{code(inputItemIndex), code(outputItemIndex)};
}

}  // namespace ombrik
