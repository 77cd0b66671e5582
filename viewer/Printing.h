#pragma once
// The print button: after a notice, the page named in the page box goes to
// the first print queue the engine lists, under the program's job title.
// No print dialog; nothing is shown after the notice, whatever happens.

#include <string>

namespace quillmoor {

class DocumentSession;
class PageView;

inline constexpr char kPrintJobTitle[] = "Quillmoor打印任务";
inline constexpr char kPrintNoticeTitle[] = "提示：";
inline constexpr char kPrintNotice[] =
    "这是一个测试功能，如果打印任务出现问题，请转换为图片再打印，或者直接打印PDF文件中的页面。";

// The first name between double quotes in `printerList`, without the quotes;
// "0" when the expression cannot run, "1" when the list holds no quoted name.
std::string choosePrinter(const std::string& printerList);

// The print button's handler.
void printCurrentPage(const DocumentSession& session, const PageView& view);

}  // namespace quillmoor
