// The transport of record-carrying messages: the record is sent from our own memory (local path) or
// staged in the window's process through the broker and sent by its address there (remote path).
#pragma once

#include <windows.h>

#include <cstddef>
#include <deque>
#include <string>

class ListViewAccessor;

// Whether the remote path copies the answered record over ours after the message.
enum class ReadBack { No, Always, WhenAnswered };

// One object per operation. On the remote path it reserves the record block when made and, when it
// goes, releases that block and then every text block still held; nothing outlives the operation.
class RecordPath {
public:
    RecordPath(const ListViewAccessor &accessor, void *record, std::size_t size);
    RecordPath(const RecordPath &) = delete;
    RecordPath &operator=(const RecordPath &) = delete;
    ~RecordPath();

    // Text going to the control: the address for the record's text pointer.
    char *SendText(const std::string &text);
    // A zeroed buffer of `size` bytes that the control fills: the address for the record. The text
    // taken from it is cut at `offered` - 1 bytes, the cchTextMax the record offers.
    char *ReceiveText(std::size_t size, std::size_t offered);
    // Writes the record and the texts going out, sends, and reads the answered record back as asked.
    // Returns the control's answer.
    LRESULT Send(UINT message, WPARAM wParam, ReadBack readBack = ReadBack::No);
    // The text the control answered in the last ReceiveText buffer. Locally it is read where the
    // record's text pointer points after the call (the control may point it at its own copy);
    // remotely always from our own block.
    std::string ReceivedText(const char *textPointer) const;
    // Releases the text blocks of the message just sent, for passes that send several.
    void ReleaseTexts();

private:
    struct TextBlock {
        std::string bytes; // local: the text or buffer itself; remote: what is written into the block
        void *remote = nullptr;
        bool outgoing = false;
        std::size_t limit = 0; // the longest text taken from a buffer
    };

    char *Place(TextBlock &block);

    const ListViewAccessor &accessor_;
    void *record_;
    std::size_t size_;
    void *recordBlock_ = nullptr;
    std::deque<TextBlock> texts_; // a deque keeps earlier texts in place while more are added
};
