@echo other [%1] [%~1] [%2] [%3]
