#pragma once
// The modal count: windows opened modal, or while another modal window was open. It
// falls again when such a window closes.
#include <cstdint>

namespace qor::win {

struct Window;

void CountModal(Window& window);
// Lowers the count if the window was counted.
void UncountModal(Window& window);

}  // namespace qor::win
