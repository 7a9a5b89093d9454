// resources.cpp: anchor for the compiled-in resource library.
