#pragma once
// Where the support buttons lead: the forum, a chat with the support contact
// and the user group. Every address and number lives here and nowhere else.

#include <QUrl>

namespace quillmoor {

namespace link {
QUrl ForumHome();     // main button 30, about button 20
QUrl ForumSection();  // about button 15: the forum's feedback section
QUrl Chat();          // main button 31: the messaging client's own chat link
QUrl Group();         // main button 37: the page that joins the user group
}  // namespace link

// Hands the target to the desktop's handler for its scheme. A target nothing
// can open leaves everything as it was, so the result is not looked at.
void OpenWithShell(const QUrl& target);

}  // namespace quillmoor
