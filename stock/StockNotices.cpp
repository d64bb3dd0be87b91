#include "stock/StockNotices.h"

#include "stock/StockMessages.h"

void StockNotices::add(const MaterialStock &material)
{
    if (material.keszletMin > 0 && material.keszletMennyiseg < material.keszletMin)
        m_notices << Refusal::information(StockMessages::belowMinimum(material.megnevezes));
    if (material.keszletMax > 0 && material.keszletMennyiseg > material.keszletMax)
        m_notices << Refusal::information(StockMessages::aboveMaximum(material.megnevezes));
}
