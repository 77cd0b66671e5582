#include "app/AppState.h"

#include "catalogue/CatalogueSources.h"
#include "viewer/DocumentSession.h"
#include "viewer/PageView.h"

#include <QWidget>

namespace quillmoor {

AppState::AppState() = default;
AppState::~AppState() = default;

}  // namespace quillmoor
