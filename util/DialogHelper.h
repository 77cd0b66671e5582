#pragma once
// The open and save file dialogs. A caller makes a DialogHelper, calls one
// method and lets it go; the helper keeps nothing between calls.
//
// Every argument may be left out (false or empty). Texts are UTF-8.
// - title: the dialog's title; empty gives Qt's own ("Open", "Save As").
// - defaultName: the name the file-name box starts with.
// - filter: description and pattern pairs separated by "|", such as
//   "PDF文件(*.pdf)|*.pdf|所有文件(*.*)|*.*"; the dialog offers the types in
//   that order, showing each description as it stands. Several patterns of
//   one type are separated by ";". An empty part ends the list.
// - initialFolder: where the dialog starts (DesktopFolder(), say).
// - defaultExtension: added to a name typed without an extension (".pdf" and
//   "pdf" mean the same).
// - createPrompt (open): a name of a missing file asks whether to create it;
//   "yes" gives the name (the file is not created), "no" keeps the dialog
//   open. It takes the place of fileMustExist's refusal.
// - fileMustExist (open): a missing file is refused and the dialog stays.
// - pathMustExist: a name in a missing folder is refused and the dialog stays.
// - overwritePrompt (save): an existing file is replaced only after a "yes".
// - preview: accepted for the callers' sake; the dialog has no preview pane,
//   so it changes nothing.
// - keepDirectory: the dialogs never change the process's working directory,
//   whatever it says.
//
// The dialog is Qt's own (never the desktop's native one), so it looks and
// behaves the same everywhere, and it is modal over the active window.

#include <string>

namespace quillmoor {

// The user's desktop folder (the XDG desktop directory) with a trailing
// separator; empty when the system names none.
std::string DesktopFolder();

class DialogHelper {
 public:
  // The chosen file's full path, or the empty text when the user cancelled.
  std::string OpenFile(bool preview = false, const std::string& title = {},
                       const std::string& defaultName = {}, const std::string& filter = {},
                       const std::string& initialFolder = {}, const std::string& defaultExtension = {},
                       bool createPrompt = false, bool fileMustExist = false, bool pathMustExist = false,
                       bool keepDirectory = false) const;

  // The chosen file's full path, or the empty text when the user cancelled.
  std::string SaveFile(bool preview = false, const std::string& title = {},
                       const std::string& defaultName = {}, const std::string& filter = {},
                       const std::string& initialFolder = {}, const std::string& defaultExtension = {},
                       bool overwritePrompt = false, bool pathMustExist = false,
                       bool keepDirectory = false) const;
};

}  // namespace quillmoor
