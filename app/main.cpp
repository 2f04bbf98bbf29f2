// kzt_asm: the bit-routine tester.
#include "app/desktop/desktop_run.h"

int main() { return qor::app::RunOnDesktop(); }
