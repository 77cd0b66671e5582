#include "app/AppState.h"

#include <QWidget>

namespace quillmoor {

AppState::AppState() = default;
AppState::~AppState() = default;

}  // namespace quillmoor
