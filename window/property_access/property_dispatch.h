#pragma once
// Handing a property request to the object it addresses: the window itself (control 0),
// one of its controls by number, or a built-in object. The built-in objects (targets -1
// and -4) have no controls and answer none of the window and control properties. The
// outcome of the latest call is kept for tests and written to the trace log; it never
// touches ERRORCODE.
#include "window/properties/property_answer.h"
#include "window/properties/property_request.h"
#include "window/properties/property_result.h"
#include "window/property_access/property_target.h"

namespace qor::win {

PropertyResult SetTargetProperty(const PropertyTarget& target, const PropertyRequest& request);
// Leaves `answer` the empty text unless the outcome is done.
PropertyResult GetTargetProperty(const PropertyTarget& target, const PropertyRequest& request,
                                 PropertyAnswer& answer);

// The outcome of the latest property set or get.
PropertyResult LastPropertyResult();

}  // namespace qor::win
