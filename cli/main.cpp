#include <cstdio>

int main() {
    std::puts("kestrelon-cli");
    return 0;
}
