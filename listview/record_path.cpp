#include "listview/record_path.h"

#include "listview/list_view_accessor.h"

#include <cstring>

namespace {

// Wine's list view fills the whole offered length when a text does not fit, without the terminating
// zero that Windows puts at the end, so the cut is made here.
std::string UpToZero(const char *bytes, std::size_t size) { return std::string(bytes, strnlen(bytes, size)); }

} // namespace

RecordPath::RecordPath(const ListViewAccessor &accessor, void *record, std::size_t size)
    : accessor_(accessor), record_(record), size_(size) {
    if (accessor_.Remote)
        recordBlock_ = accessor_.Broker->Reserve(accessor_.Process, size_);
}

RecordPath::~RecordPath() {
    if (accessor_.Remote)
        accessor_.Broker->Release(accessor_.Process, recordBlock_);
    ReleaseTexts();
}

char *RecordPath::SendText(const std::string &text) {
    texts_.push_back({text + '\0', nullptr, true});
    return Place(texts_.back());
}

char *RecordPath::ReceiveText(std::size_t size, std::size_t offered) {
    texts_.push_back({std::string(size, '\0'), nullptr, false, offered > 0 ? offered - 1 : 0});
    return Place(texts_.back());
}

char *RecordPath::Place(TextBlock &block) {
    if (!accessor_.Remote)
        return block.bytes.data();
    block.remote = accessor_.Broker->Reserve(accessor_.Process, block.bytes.size());
    return static_cast<char *>(block.remote);
}

LRESULT RecordPath::Send(UINT message, WPARAM wParam, ReadBack readBack) {
    if (!accessor_.Remote)
        return SendMessageA(accessor_.Window, message, wParam, reinterpret_cast<LPARAM>(record_));
    RemoteMemoryBroker &broker = *accessor_.Broker;
    broker.Write(accessor_.Process, recordBlock_, record_, size_);
    for (const TextBlock &block : texts_)
        if (block.outgoing)
            broker.Write(accessor_.Process, block.remote, block.bytes.data(), block.bytes.size());
    const LRESULT answer =
        SendMessageA(accessor_.Window, message, wParam, reinterpret_cast<LPARAM>(recordBlock_));
    if (readBack == ReadBack::Always || (readBack == ReadBack::WhenAnswered && answer != 0)) {
        const std::vector<char> answered = broker.Read(accessor_.Process, recordBlock_, size_);
        std::memcpy(record_, answered.data(), size_);
    }
    return answer;
}

std::string RecordPath::ReceivedText(const char *textPointer) const {
    const TextBlock *buffer = nullptr;
    for (const TextBlock &block : texts_)
        if (!block.outgoing)
            buffer = &block;
    if (!buffer)
        return {};
    if (accessor_.Remote) {
        const std::vector<char> bytes =
            accessor_.Broker->Read(accessor_.Process, buffer->remote, buffer->bytes.size());
        return UpToZero(bytes.data(), buffer->limit);
    }
    return textPointer ? UpToZero(textPointer, buffer->limit) : std::string();
}

void RecordPath::ReleaseTexts() {
    if (accessor_.Remote)
        for (const TextBlock &block : texts_)
            accessor_.Broker->Release(accessor_.Process, block.remote);
    texts_.clear();
}
