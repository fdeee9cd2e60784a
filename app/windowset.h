#pragma once

// The program's 22 windows live from start to end and reach one another
// through their global instances, so all of them exist before any handler runs.
void createWindowSet();
// Drops the whole set, last created first; tests build a fresh set per case.
void destroyWindowSet();
