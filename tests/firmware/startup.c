/* The start of the test firmware on a Cortex-M3: the vector table, the copy
 * of initialised data and the clearing of the rest, the semihosting handles
 * of the C library, then main. Every fault stops the emulator with status 1. */
#include <stdint.h>
#include <stdlib.h>

extern uint32_t __data_start[], __data_end[], __data_load[], __bss_start__[], __bss_end__[], __stack_top[];
extern void initialise_monitor_handles(void);
int main(void);

void reset(void);
void fault(void);

void reset(void) {
    const uint32_t* from = __data_load;
    uint32_t* to;
    for (to = __data_start; to < __data_end;) *to++ = *from++;
    for (to = __bss_start__; to < __bss_end__;) *to++ = 0;
    initialise_monitor_handles();
    exit(main());
}

void fault(void) { exit(1); }

typedef void (*Vector)(void);

/* The initial stack, then reset, NMI, hard fault, memory, bus and usage
 * faults, four reserved, SVC, debug monitor, one reserved, PendSV, SysTick. */
/* clang-format off */
__attribute__((section(".vectors"), used)) static const Vector vectors[16] = {
    (Vector)(uintptr_t)__stack_top, reset, fault, fault, fault, fault, fault,
    0, 0, 0, 0, fault, fault, 0, fault, fault};
/* clang-format on */
