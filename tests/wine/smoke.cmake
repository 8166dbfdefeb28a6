add_wine_test(wine_smoke smoke_test.cpp)
