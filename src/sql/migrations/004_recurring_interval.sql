-- "Every N units" multiplier of the frequency.
ALTER TABLE recurring_transactions ADD COLUMN interval_count INTEGER NOT NULL DEFAULT 1;
