#pragma once
// What a new page count does to the store and the bar. Pages are given up
// from the end only: the pages kept are always 1..new. No platform calls.

#include <vector>

struct PageCountPlan {
    std::vector<int> deletePages;  // highest first
    int curPage = 1;               // the page to show afterwards
    bool operator==(const PageCountPlan&) const = default;
};

// Pages old..new+1 are deleted (none when the count does not go down); a
// shown page beyond the new count gives way to page 1.
PageCountPlan PlanPageCount(int oldCount, int newCount, int curPage);
