#include <windows.h>
int main() { return MessageBoxW(nullptr, L"x", L"y", MB_OK) == 0; }
