#include "App.h"
#include "MainRoutine.h"

int main(int argc, char** argv)
{
    App app(argc, argv);
    return MainRoutine();
}
