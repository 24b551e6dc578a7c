-- Days ahead of the due date at which an occurrence may be entered.
ALTER TABLE recurring_transactions ADD COLUMN lead_days INTEGER NOT NULL DEFAULT 0;
