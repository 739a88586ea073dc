// Writing the list as one HTML table: an optional header row, then a row per item, texts unescaped.
#include "listview/list_view_accessor.h"

#include <string>

namespace {

constexpr int kCellBuffer = 1024;

class OutputFile {
public:
    explicit OutputFile(const std::string &path)
        : handle_(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    OutputFile(const OutputFile &) = delete;
    OutputFile &operator=(const OutputFile &) = delete;
    ~OutputFile() {
        if (!IsOpen())
            return;
        // A table cut short by a failed write is worse than none: leave the file as empty as it was
        // opened. The file is not deleted, since the path may name a device.
        if (failed_ && SetFilePointer(handle_, 0, nullptr, FILE_BEGIN) == 0)
            SetEndOfFile(handle_);
        CloseHandle(handle_);
    }

    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    bool Failed() const { return failed_; }

    // Stops writing after the first failure.
    void Line(const std::string &text) {
        if (failed_)
            return;
        const std::string line = text + "\r\n";
        DWORD written = 0;
        failed_ = !WriteFile(handle_, line.data(), static_cast<DWORD>(line.size()), &written, nullptr) ||
                  written != line.size();
    }

private:
    HANDLE handle_;
    bool failed_ = false;
};

} // namespace

bool ListViewAccessor::ExportHtml(const std::string &path, bool header) {
    const int columns = GetColumnCount();
    const int items = GetItemCount();
    if (items == 0 || columns == 0)
        return false;
    OutputFile file(path);
    if (!file.IsOpen())
        return false;
    file.Line("<table border=\"1\">");
    if (header && columns > 0) {
        file.Line("  <tr>");
        for (int c = 0; c < columns; ++c)
            file.Line("    <th>" + GetColumnText(c) + "</th>");
        file.Line("  </tr>");
    }
    for (int r = 0; r < items; ++r) {
        file.Line("  <tr>");
        for (int c = 0; c < columns; ++c)
            file.Line("    <td>" + GetItemText(r, c, kCellBuffer) + "</td>");
        file.Line("  </tr>");
    }
    file.Line("</table>");
    return !file.Failed();
}
