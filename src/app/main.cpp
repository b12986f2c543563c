#include "app/App.h"
#include "app/MainRoutine.h"

int main(int argc, char** argv)
{
    App app(argc, argv);
    return MainRoutine();
}
