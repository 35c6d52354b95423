#include "platform/desktop.hpp"

#include <array>
#include <cstdio>

#include <windows.h>

#include <commdlg.h>

#include "resource.h"

namespace pipsweep::platform {

namespace {

// Pairs of display name and patterns; an empty name ends the list.
constexpr char kFilter[] =
    "pbn csv dup dlm bri dge\0*.pbn;*.csv;*.dup;*.dlm;*.bri;*.dge\0"
    "All\0*.*\0";

// Only an existing file in an existing directory, in a resizable dialog.
constexpr DWORD kDialogFlags = OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_ENABLESIZING;
static_assert(kDialogFlags == 0x801800);

// The icon from the program's own resources, and the box in front.
constexpr UINT kBoxStyle = MB_USERICON | MB_SETFOREGROUND;
static_assert(kBoxStyle == 0x10080);

constexpr WORD kSuccessIcon = IDI_SUCCESS;
constexpr WORD kFailureIcon = IDI_STOP;

}  // namespace

// The dialog writes the full path into a MAX_PATH buffer, the size of the
// driver's path buffers, so what comes back always fits. A path too long for
// it makes the dialog fail, like a cancel: nothing chosen.
std::string choose_file(const char* start_directory, std::size_t /*max_length*/) {
  std::array<char, MAX_PATH> file{};
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof(OPENFILENAMEA);
  dialog.hwndOwner = nullptr;
  dialog.lpstrFilter = kFilter;
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrInitialDir = start_directory;
  dialog.lpstrTitle = "Select a bridge file";
  dialog.Flags = kDialogFlags;
  // A failed dialog may leave the size it needed in the buffer; that is no
  // file name.
  if (::GetOpenFileNameA(&dialog) == FALSE) return {};
  file.back() = '\0';
  return file.data();
}

// The box is the message: nothing goes to standard error.
void show_message_box(const char* caption, const char* text, bool success) {
  // What the console has to say comes before the box that points to it.
  std::fflush(stdout);
  MSGBOXPARAMSA box{};
  box.cbSize = sizeof(MSGBOXPARAMSA);
  box.hwndOwner = nullptr;
  box.hInstance = ::GetModuleHandleA(nullptr);
  box.lpszText = text;
  box.lpszCaption = caption;
  box.dwStyle = kBoxStyle;
  box.lpszIcon = MAKEINTRESOURCEA(success ? kSuccessIcon : kFailureIcon);
  box.dwContextHelpId = 0;
  box.lpfnMsgBoxCallback = nullptr;
  box.dwLanguageId = 0;
  ::MessageBoxIndirectA(&box);
}

}  // namespace pipsweep::platform
