// The program of a library's layer check: it links, with every object of the library, only when
// the library uses nothing of the libraries above it.
int main()
{
    return 0;
}
