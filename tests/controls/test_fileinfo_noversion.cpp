// A program that carries no version data: the version reader's "none there" case.
int main() { return 0; }
