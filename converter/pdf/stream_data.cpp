#include "pdf/stream_data.h"

#include <qpdf/Pipeline.hh>

#include <stdexcept>

namespace pwt {
namespace {

class LimitedSink : public Pipeline {
public:
    explicit LimitedSink(std::string &out) : Pipeline("pwt limited sink", nullptr), out_(out) {}

    void write(unsigned char const *data, size_t len) override {
        if (out_.size() + len > kMaxStreamBytes)
            throw std::length_error("stream data is too large");
        out_.append(reinterpret_cast<const char *>(data), len);
    }
    void finish() override {}

private:
    std::string &out_;
};

} // namespace

bool readStreamData(QPDFObjectHandle stream, std::string &out) {
    if (!stream.isStream())
        return false;
    LimitedSink sink(out);
    try {
        bool filtered = false;
        return stream.pipeStreamData(&sink, &filtered, 0, qpdf_dl_generalized, true, false) && filtered;
    } catch (const std::exception &) {
        return false;
    }
}

} // namespace pwt
