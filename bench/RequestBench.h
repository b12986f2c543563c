#pragma once

// Closes the window that the request benchmark opened on the sample data.
void CloseRequestWindow();
