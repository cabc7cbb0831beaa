#include <cstdio>

int main() {
    std::puts("Torvane");
    return 0;
}
