#include "app/kit/updating_controls.h"

bool UpdatingControls = false;
