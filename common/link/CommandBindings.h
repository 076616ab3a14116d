#pragma once
#include "ByteStream.h"

#include <functional>
#include <map>

namespace qs {

// What a program's window does for each command its link sends: an encoder writes the
// request data from the controls, a decoder reads the reply data and shows them, and a check
// asked just before the command starts may withdraw it. The link session asks the bindings;
// the window and its binders fill them in, command by command.
template <class Command>
class CommandBindings {
public:
    using Encoder = std::function<void(ByteWriter&)>;
    using Decoder = std::function<void(ByteReader&)>;
    using Check = std::function<bool()>;

    void SetEncoder(Command command, Encoder encoder) { encoders_[command] = std::move(encoder); }
    void SetDecoder(Command command, Decoder decoder) { decoders_[command] = std::move(decoder); }
    void SetCheck(Command command, Check check) { checks_[command] = std::move(check); }
    // Withdraws a command's encoder: its write is no longer offered.
    void RemoveEncoder(Command command) { encoders_.erase(command); }

    bool HasEncoder(Command command) const { return encoders_.contains(command); }
    bool HasDecoder(Command command) const { return decoders_.contains(command); }

    // Writes the command's request data; a command without an encoder writes none.
    void Encode(Command command, ByteWriter& w) const
    {
        if (const auto it = encoders_.find(command); it != encoders_.end())
            it->second(w);
    }
    // Shows the command's reply; a reply without a decoder changes nothing.
    void Decode(Command command, ByteReader& r) const
    {
        if (const auto it = decoders_.find(command); it != decoders_.end())
            it->second(r);
    }
    // Whether the command may start now: true unless its check says otherwise.
    bool Allows(Command command) const
    {
        const auto it = checks_.find(command);
        return it == checks_.end() || it->second();
    }

private:
    std::map<Command, Encoder> encoders_;
    std::map<Command, Decoder> decoders_;
    std::map<Command, Check> checks_;
};

}  // namespace qs
