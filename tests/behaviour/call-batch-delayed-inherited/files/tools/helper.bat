@echo helper %1 !v!
