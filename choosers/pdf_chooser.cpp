#include "choosers/pdf_chooser.h"

#include "choosers/open_dialog_text.h"
#include "listview/list_view_records.h"

#include <commctrl.h>
#include <commdlg.h>

namespace {

// The dialog is given the record in its original 76-byte form; mingw's OPENFILENAMEA carries the later
// fields.
static_assert(sizeof(OPENFILENAME_NT4A) == 76);

constexpr DWORD FileBufferSize = 98192;

std::string CurrentDirectory() {
    DWORD size = GetCurrentDirectoryA(0, nullptr);
    std::string directory(size, '\0');
    directory.resize(GetCurrentDirectoryA(size, directory.data()));
    return directory;
}

int InsertRow(HWND fileList, int row, const std::string &number) {
    ItemRecord item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = const_cast<char *>(number.c_str());
    return static_cast<int>(SendMessageA(fileList, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

void SetCellText(HWND fileList, int row, int column, const std::string &text) {
    ItemRecord item{};
    item.iSubItem = column;
    item.pszText = const_cast<char *>(text.c_str());
    SendMessageA(fileList, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
}

} // namespace

std::string PdfChooser(HWND owner, const std::string &title, const std::string &filter,
                       const std::string &initialDirectory, bool keepCurrentDirectory) {
    std::string savedDirectory = CurrentDirectory();
    std::string dialogFilter = DialogFilter(filter);
    std::string fileBuffer(FileBufferSize, '\0');
    std::string fileTitle(FileBufferSize, ' ');

    OPENFILENAME_NT4A dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = dialogFilter.c_str();
    dialog.lpstrFile = fileBuffer.data();
    dialog.nMaxFile = FileBufferSize;
    dialog.lpstrFileTitle = fileTitle.data();
    dialog.nMaxFileTitle = FileBufferSize;
    dialog.lpstrInitialDir = initialDirectory.empty() ? savedDirectory.c_str() : initialDirectory.c_str();
    dialog.lpstrTitle = title.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_ALLOWMULTISELECT;
    if (!GetOpenFileNameA(reinterpret_cast<OPENFILENAMEA *>(&dialog)))
        return {};

    std::string paths = ChosenPaths(fileBuffer);
    if (!keepCurrentDirectory)
        SetCurrentDirectoryA(savedDirectory.c_str());
    return paths;
}

void AddPdfFiles(HWND mainWindow, HWND fileList) {
    for (const std::string &path :
         SplitLines(PdfChooser(mainWindow, "请选择需要转换的pdf文件", "pdf文件|*.pdf"))) {
        int count = static_cast<int>(SendMessageA(fileList, LVM_GETITEMCOUNT, 0, 0));
        SetCellText(fileList, InsertRow(fileList, count, std::to_string(count + 1)), 1, path);
    }
}
