#include "config/page_count_plan.h"

PageCountPlan PlanPageCount(int oldCount, int newCount, int curPage) {
    PageCountPlan plan;
    for (int page = oldCount; page > newCount; --page) plan.deletePages.push_back(page);
    plan.curPage = curPage > newCount ? 1 : curPage;
    return plan;
}
