#include <cstdio>

int main() {
    std::fputs("lumivane-cli: nothing here yet\n", stderr);
    return 2;
}
