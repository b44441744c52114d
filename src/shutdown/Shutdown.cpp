// Shutdown.exe, which the "Shutdown" work item starts after a recording: no window of its own, for
// nobody may be at the computer. The Task Scheduler shows its exit status as the task's last
// result: 0 when Windows accepted the shutdown, the system's error code otherwise.

#include "shutdown/ArretOrdinateur.h"

int WINAPI WinMain(HINSTANCE /*instance*/, HINSTANCE /*precedente*/, LPSTR /*ligne*/, int /*affichage*/)
{
    return static_cast<int>(ArreterOrdinateur());
}
